        : slider  {
            key        = "size" ;
            width      =  4.3 ;
            height     = 10.0 ;
            value      = 40 ;
            max_value       = 200 ;
            min_value       = 5 ;
            big_increment   = 10 ;
            small_increment = 2 ;
            layout  = vertical ;
            is_tab_stop = false ;
            is_enabled = false ;
            fixed_height = true ;
            fixed_width = true ;
        }
