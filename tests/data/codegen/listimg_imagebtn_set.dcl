        : image_button  {
            key        = "b\"1" ;
            width      = 12.0 ;
            height     =  2.0 ;
            color     = magenta ;
            alignment     = centered ;
            allow_accept = true ;
            is_tab_stop = false ;
            is_enabled = false ;
            fixed_height = true ;
            fixed_width = true ;
        }
