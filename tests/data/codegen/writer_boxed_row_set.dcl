        : boxed_radio_row {
            key        = "grp_" ;
            label      = "Row box" ;
            alignment     = right ;
            width      = 26.4 ;
            height     =  3.3 ;
            is_tab_stop = false ;
            is_enabled = false ;
            fixed_height = true ;
            fixed_width = true ;
            children_fixed_height = true ;
            children_fixed_width = true ;
            children_alignment = centered ;
        }
